# Sources of gui/reports, the reports page and its chart component, listed explicitly.
target_sources(tallyfold_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChartSeriesView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmReportView.cpp
)
