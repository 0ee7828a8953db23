# One warning policy for every target of the project.
function(quorvane_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers
      $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>)
  endif()
endfunction()
