# Sources of core/budgets, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BudgetExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetMonth.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetTotals.cpp
)
