#include "update/receive_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string contents(const ReceiveBuffer& buffer) {
    return {reinterpret_cast<const char*>(buffer.data()), buffer.size()};
}

TEST(ReceiveBuffer, GrowsByDoublingFromOneKibibyteAlwaysKeepingAZeroAfterTheData) {
    ReceiveBuffer buffer(64 * 1024);
    EXPECT_EQ(buffer.capacity(), 0u);
    const std::string block(1023, 'a');
    EXPECT_EQ(buffer.append(block.data(), block.size()), 1023u);
    EXPECT_EQ(buffer.capacity(), 1024u) << "1,023 bytes still leave one byte spare";
    EXPECT_EQ(buffer.data()[1023], 0);

    buffer.append("b", 1);
    EXPECT_EQ(buffer.capacity(), 2048u);
    EXPECT_EQ(contents(buffer), block + "b");
    EXPECT_EQ(buffer.data()[1024], 0);

    const std::string large(5000, 'x');
    buffer.append(large.data(), large.size());
    EXPECT_EQ(buffer.capacity(), 8192u);
    EXPECT_EQ(buffer.data()[6024], 0);

    buffer.clear();
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(buffer.capacity(), 0u);
    buffer.append("z", 1);
    EXPECT_EQ(contents(buffer), "z");
}

TEST(ReceiveBuffer, RefusesWhatWouldGrowItPastTheLimit) {
    ReceiveBuffer buffer(4096);
    const std::string block(3000, 'x');
    EXPECT_EQ(buffer.append(block.data(), block.size()), 3000u);
    EXPECT_EQ(buffer.append(block.data(), block.size()), 1095u);
    EXPECT_EQ(buffer.size(), 4095u);
    EXPECT_EQ(buffer.data()[4095], 0);
    EXPECT_EQ(buffer.append("y", 1), 0u);
    EXPECT_EQ(buffer.capacity(), 4096u);
}

} // namespace
