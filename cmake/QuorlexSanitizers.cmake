# One address + undefined-behaviour configuration for the whole tree.
if(QUORLEX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(QUORLEX_SANITIZE=1)
endif()
