# Warnings and sanitizers for every target of the tree.
add_compile_options(-Wall -Wextra)
if(WARNINGS_AS_ERRORS)
  add_compile_options(-Werror)
endif()

if(SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
