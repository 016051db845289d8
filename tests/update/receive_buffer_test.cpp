#include "update/receive_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string contents(const ReceiveBuffer& buffer) {
    return {reinterpret_cast<const char*>(buffer.data()), buffer.size()};
}

TEST(ReceiveBuffer, StartsWithoutStorageAndFirstAllocatesOneKibibyte) {
    ReceiveBuffer buffer(64 * 1024);
    EXPECT_EQ(buffer.capacity(), 0u);
    EXPECT_TRUE(buffer.empty());

    EXPECT_EQ(buffer.append("12", 2), 2u);
    EXPECT_EQ(buffer.capacity(), 1024u);
    EXPECT_EQ(contents(buffer), "12");
    EXPECT_EQ(buffer.data()[2], 0);
}

TEST(ReceiveBuffer, DoublesWhenTheDataWouldFillTheStorage) {
    ReceiveBuffer buffer(64 * 1024);
    const std::string block(1023, 'a');
    buffer.append(block.data(), block.size());
    EXPECT_EQ(buffer.capacity(), 1024u) << "1,023 bytes still leave one byte spare";

    buffer.append("b", 1);
    EXPECT_EQ(buffer.capacity(), 2048u);
    EXPECT_EQ(contents(buffer), block + "b");
    EXPECT_EQ(buffer.data()[1024], 0);
}

TEST(ReceiveBuffer, GrowsPastALargeBlockInOneStep) {
    ReceiveBuffer buffer(64 * 1024);
    const std::string block(5000, 'x');
    buffer.append(block.data(), block.size());
    EXPECT_EQ(buffer.capacity(), 8192u);
    EXPECT_EQ(buffer.size(), 5000u);
    EXPECT_EQ(buffer.data()[5000], 0);
}

TEST(ReceiveBuffer, RefusesWhatWouldGrowItPastTheLimit) {
    ReceiveBuffer buffer(4096);
    const std::string block(3000, 'x');
    EXPECT_EQ(buffer.append(block.data(), block.size()), 3000u);
    EXPECT_EQ(buffer.append(block.data(), block.size()), 1095u);
    EXPECT_EQ(buffer.size(), 4095u);
    EXPECT_EQ(buffer.capacity(), 4096u);
    EXPECT_EQ(buffer.data()[4095], 0);
    EXPECT_EQ(buffer.append("y", 1), 0u);
    EXPECT_EQ(buffer.capacity(), 4096u);
}

TEST(ReceiveBuffer, ClearReleasesTheStorage) {
    ReceiveBuffer buffer(64 * 1024);
    const std::string block(3000, 'x');
    buffer.append(block.data(), block.size());
    buffer.clear();
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(buffer.capacity(), 0u);

    buffer.append("z", 1);
    EXPECT_EQ(buffer.capacity(), 1024u);
    EXPECT_EQ(contents(buffer), "z");
}

} // namespace
