# Our own targets build warning-free; third-party headers come in as system includes.
function(talvira_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                                             $<$<BOOL:${TALVIRA_WERROR}>:-Werror>)
endfunction()
