# Sources of core/app, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppPreferences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CategoryList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Global.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Guid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryPreferenceStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemNumberFormat.cpp
)
