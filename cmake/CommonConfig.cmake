# One interface target carries the language standard, warnings and sanitizer flags;
# every target of the project links it instead of setting global flags.
add_library(tq_common INTERFACE)
target_compile_features(tq_common INTERFACE cxx_std_20)
target_compile_options(tq_common INTERFACE
  -Wall -Wextra -Wpedantic -Werror=return-type
  -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast)
if(TQ8615_WERROR)
  target_compile_options(tq_common INTERFACE -Werror)
endif()
target_compile_definitions(tq_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS)
if(TQ8615_SANITIZE)
  target_compile_options(tq_common INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tq_common INTERFACE -fsanitize=address,undefined)
endif()
