# Sources of gui/calculators, the calculators page, listed explicitly.
target_sources(tallyfold_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmCalcMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmCalculatorBaseDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmCapitalInvestment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmPersonalLoanCalc.cpp
)
