# The warnings every target of the project is built with, whatever the preset:
# a plain `cmake -B build` warns as the presets do. Whether a warning stops the
# build is the cache variable CMAKE_COMPILE_WARNING_AS_ERROR (on in the dev and
# asan presets).
function(dryfriction_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
