# Sources of core/app, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppPreferences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Backup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CategoryList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DailyBackup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartPalette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Global.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Guid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoadFailure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryPreferenceStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemNumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TraceLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowPlacement.cpp
)

# The rules of the transactions page and its dialogs.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AccountEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActivityTestData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActivityTotals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AmountEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CategoryEditing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateRangeStep.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportProposal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportOutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatternListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionRecognition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionViewState.cpp
)

# Look-ups and runs the command line asks of the data.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AccountLookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecognitionRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionQuery.cpp
)
