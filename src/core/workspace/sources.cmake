# The rules of the transactions page and its dialogs, and the look-ups the command line asks of the data.
# Sources listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AccountEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccountLookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActivityTestData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActivityTotals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AmountEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CategoryEditing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateRangeStep.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportProposal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportOutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatternListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecognitionRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionQuery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionRecognition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionViewState.cpp
)
