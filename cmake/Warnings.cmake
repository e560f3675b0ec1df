# The warning set for the project's own targets; warnings are errors.
function(orvane_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wformat=2 -Wnon-virtual-dtor -Wold-style-cast
    -Woverloaded-virtual -Wshadow -Wconversion -Wsign-conversion -Werror)
endfunction()
