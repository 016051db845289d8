# TinyXML, libcurl, GoogleTest and Google Benchmark.
# Native builds use the system's development packages. The mingw builds use the copies that
# scripts/setup.sh compiles from Debian's source packages into HUSHCLOAK_DEPS_PREFIX.

if(WIN32)
    if(NOT HUSHCLOAK_DEPS_PREFIX)
        message(FATAL_ERROR "HUSHCLOAK_DEPS_PREFIX must name the folder of the mingw libraries")
    endif()
    # (filled in by the cross-build set-up)
else()
    find_path(TINYXML_INCLUDE_DIR tinyxml.h REQUIRED)
    find_library(TINYXML_LIBRARY tinyxml REQUIRED)
    add_library(hushcloak::tinyxml INTERFACE IMPORTED)
    target_include_directories(hushcloak::tinyxml INTERFACE ${TINYXML_INCLUDE_DIR})
    target_link_libraries(hushcloak::tinyxml INTERFACE ${TINYXML_LIBRARY})
    target_compile_definitions(hushcloak::tinyxml INTERFACE TIXML_USE_STL)

    find_package(CURL REQUIRED)
    add_library(hushcloak::curl INTERFACE IMPORTED)
    target_link_libraries(hushcloak::curl INTERFACE CURL::libcurl)

    find_package(GTest REQUIRED)
    find_package(benchmark REQUIRED)
endif()
