# Warnings every target of the project gets.
function(radioprog_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(RADIOPROG_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
