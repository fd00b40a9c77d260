# Sources of core/store, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Atom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BackgroundSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BlockDeflater.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bone.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoneField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoneFieldList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Currency.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileLock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreeDump.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Variant.cpp
)
