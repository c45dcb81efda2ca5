# Every target links velmora_warnings: one place for the warning policy and the sanitizers.
add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE -Wall -Wextra -Werror=return-type)
if(VELMORA_WERROR)
  target_compile_options(velmora_warnings INTERFACE -Werror)
endif()
target_compile_definitions(velmora_warnings INTERFACE QT_NO_CONTEXTLESS_CONNECT)
if(VELMORA_SANITIZE)
  target_compile_options(velmora_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(velmora_warnings INTERFACE -fsanitize=address,undefined)
endif()

# Sources of one folder, picked up by name so that a new unit needs no CMake edit.
function(velmora_sources out dir)
  file(GLOB _cpp CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(${out} ${_cpp} PARENT_SCOPE)
endfunction()
