# Sources of core/model, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Account.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Budget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModelText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonthIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OfxStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatternMatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Transactions.cpp
)
