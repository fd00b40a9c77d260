# Helpers below the model: text, GUIDs, formats, number formats, the category list.
# Sources listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CategoryList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartPalette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Guid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryPreferenceStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemNumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportTemplate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemplateTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TraceLog.cpp
)
