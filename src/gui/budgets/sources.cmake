# Sources of gui/budgets, the budget page, listed explicitly.
target_sources(tallyfold_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BudgetDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetExportCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetGridDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetGridModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetTotalsModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmBudgetViewer.cpp
)
