# Adds a static library, or an interface library while its folders hold no sources yet, so that
# everything linking it configures either way.
function(hushcloak_add_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;INCLUDE_DIRECTORIES;LINK")
    if(arg_SOURCES)
        add_library(${name} STATIC ${arg_SOURCES})
        set(scope PUBLIC)
    else()
        add_library(${name} INTERFACE)
        set(scope INTERFACE)
    endif()
    target_include_directories(${name} ${scope} ${arg_INCLUDE_DIRECTORIES})
    target_link_libraries(${name} ${scope} ${arg_LINK})
endfunction()
