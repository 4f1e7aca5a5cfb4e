# Each layer is linked on its own, whole, with only the layers it names below it: a call from
# a layer into one above it (or into one it does not name) fails this link.
foreach(layer ondavel_core ondavel_knowledge ondavel_translate ondavel_commands)
  add_executable(${layer}_alone ${PROJECT_SOURCE_DIR}/cmake/layer_alone.cpp)
  target_link_libraries(${layer}_alone PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
endforeach()
