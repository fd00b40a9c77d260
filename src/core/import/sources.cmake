# Sources of core/import, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CSVParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvProfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvProfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FNBAdvancedCSVParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FNBCSVParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MarkupText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NedbankCheckingParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OFXParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileCSVParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StandardCSVParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementFormats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementPreview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementRecognition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TallyfoldCSVParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextEncoding.cpp
)
