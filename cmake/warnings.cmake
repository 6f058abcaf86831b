# Our own targets build warning-free; third-party headers come in as system includes. Only
# the C++ sources get the flags: a Windows program's resources go through the resource
# compiler, which takes none of them.
function(talvira_warnings target)
    if(MSVC)
        # The sources are UTF-8, as GCC and Clang read them anyway.
        set(flags /W4 /permissive- /utf-8 $<$<BOOL:${TALVIRA_WERROR}>:/WX>)
    else()
        set(flags -Wall -Wextra -Wpedantic $<$<BOOL:${TALVIRA_WERROR}>:-Werror>)
    endif()
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${flags}>")
endfunction()
