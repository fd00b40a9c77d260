# Sources of gui/reports, listed explicitly.
target_sources(tallyfold_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrmFinancialYearReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportWindowDialogs.cpp
)
