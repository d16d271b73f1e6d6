# Warnings are errors in our own code.
function(albryn_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
