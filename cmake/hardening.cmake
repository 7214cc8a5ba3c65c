# The hardening Debian builds its packages with: position-independent
# executables, stack protection, read-only relocations bound at start, and
# checked string and memory calls. _FORTIFY_SOURCE needs optimisation, and is
# left out of sanitizer builds, whose own checks it would bypass.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# Not every processor has these.
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "BRENNO_HAS${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    add_compile_options(${flag})
  endif()
endforeach()
add_link_options(LINKER:-z,relro LINKER:-z,now)
if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
