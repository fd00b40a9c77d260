# Sources of core/calculators, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Annuity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalcNumbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InvestmentCalculation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoanCalculation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoanScheduleDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RepaymentSchedule.cpp
)
