# Sources of core/app, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Formats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemNumberFormat.cpp
)
