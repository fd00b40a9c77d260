# Sources of core/reports, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChartNumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartSeries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExpenseReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FinancialYearReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HtmlEscape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonthlyCategoryReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonthlyReportText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonthCompare.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportAmount.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportCharts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportFileName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportPeriods.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportSelection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransactionExport.cpp
)
