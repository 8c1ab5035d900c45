# Warnings are errors in the project's own code; targets opt in with voralind_warnings().
add_library(voralind_warnings INTERFACE)
if(MSVC)
  target_compile_options(voralind_warnings INTERFACE /W4 /WX /utf-8)
else()
  target_compile_options(voralind_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Werror)
endif()

# Test sources are written in UTF-8 and hold their texts as GBK, like the program does.
function(voralind_gbk_literals target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
  else()
    message(FATAL_ERROR "${target} holds GBK literals and needs GCC's -fexec-charset")
  endif()
endfunction()
