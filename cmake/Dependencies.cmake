# TinyXML, libcurl, GoogleTest and Google Benchmark.
# Native builds use the system's development packages. The mingw builds use the copies that
# scripts/setup.sh compiles from Debian's source packages into one folder per toolchain.

if(WIN32)
    if(DEFINED ENV{HUSHCLOAK_DEPS_CACHE})
        set(deps_cache $ENV{HUSHCLOAK_DEPS_CACHE})
    else()
        set(deps_cache $ENV{HOME}/.cache/hushcloak-deps)
    endif()
    set(HUSHCLOAK_DEPS_PREFIX ${deps_cache}/${HUSHCLOAK_TRIPLET} CACHE PATH
        "Folder of the mingw libraries built by scripts/setup.sh")
    if(NOT EXISTS ${HUSHCLOAK_DEPS_PREFIX}/tinyxml)
        message(FATAL_ERROR
            "No mingw libraries in ${HUSHCLOAK_DEPS_PREFIX}: run scripts/setup.sh first")
    endif()
    set(find_deps NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

    find_path(TINYXML_INCLUDE_DIR tinyxml.h PATHS ${HUSHCLOAK_DEPS_PREFIX}/tinyxml/include
        ${find_deps})
    find_library(TINYXML_LIBRARY tinyxml PATHS ${HUSHCLOAK_DEPS_PREFIX}/tinyxml/lib ${find_deps})

    find_package(CURL CONFIG PATHS ${HUSHCLOAK_DEPS_PREFIX}/curl ${find_deps})

    if(HUSHCLOAK_BUILD_TESTS)
        find_package(GTest CONFIG PATHS ${HUSHCLOAK_DEPS_PREFIX}/googletest ${find_deps})
    endif()
    if(HUSHCLOAK_BUILD_BENCHMARKS)
        find_package(benchmark CONFIG PATHS ${HUSHCLOAK_DEPS_PREFIX}/benchmark ${find_deps})
    endif()
else()
    find_path(TINYXML_INCLUDE_DIR tinyxml.h REQUIRED)
    find_library(TINYXML_LIBRARY tinyxml REQUIRED)

    find_package(CURL REQUIRED)

    if(HUSHCLOAK_BUILD_TESTS)
        find_package(GTest REQUIRED)
    endif()
    if(HUSHCLOAK_BUILD_BENCHMARKS)
        find_package(benchmark REQUIRED)
    endif()
endif()

add_library(hushcloak::tinyxml INTERFACE IMPORTED)
target_include_directories(hushcloak::tinyxml INTERFACE ${TINYXML_INCLUDE_DIR})
target_link_libraries(hushcloak::tinyxml INTERFACE ${TINYXML_LIBRARY})
target_compile_definitions(hushcloak::tinyxml INTERFACE TIXML_USE_STL)

add_library(hushcloak::curl INTERFACE IMPORTED)
target_link_libraries(hushcloak::curl INTERFACE CURL::libcurl)
