# Warnings for every target of the project; call tabulo_warnings(target).
function(tabulo_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Wcast-qual -Wformat=2 -Wundef)
  if(TABULO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
