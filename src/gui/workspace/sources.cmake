# Sources of gui/workspace, the transactions page and its dialogs, listed explicitly.
target_sources(tallyfold_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AccountsGridDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccountsGridModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActivityStrip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AmountEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColourCombo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmAccountEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmCatergorySelection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmCategoryManagement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmImportSettingsEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmImportSettingsListEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmStatementImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmTransactionViewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmTransactionsEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatternsGridModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowEditors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatementImportCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionDrag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionExportCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionsGridDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionsGridModel.cpp
)
