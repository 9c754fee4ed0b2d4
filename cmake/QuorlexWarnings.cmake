# Warnings are on for our own code and are errors when we are the top-level project.
add_compile_options(-Wall -Wextra -Wpedantic)
if(PROJECT_IS_TOP_LEVEL)
  add_compile_options(-Werror)
endif()
