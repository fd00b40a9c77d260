# Sources of core/store, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Currency.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateTime.cpp
)
