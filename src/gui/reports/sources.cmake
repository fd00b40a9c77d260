# Sources of gui/reports, the reports page, its chart component and the
# report chooser with its reports, listed explicitly.
target_sources(tallyfold_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChartImageSave.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartSeriesView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmExpenseBarReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmExpenseLineReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmFinancialYearReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmMonthCompare.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmMoreReports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmReportView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportWindowDialogs.cpp
)
