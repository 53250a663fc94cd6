# One interface target carries the warnings and safety defines for every target of the project.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE -Wall -Wextra)
target_compile_definitions(project_options INTERFACE
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
if(MELOTHEEK_SANITIZE)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
  target_compile_definitions(project_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()

set(CMAKE_AUTOMOC ON)
