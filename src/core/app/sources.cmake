# Sources of core/app, listed explicitly.
target_sources(tallyfold_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppPreferences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Backup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DailyBackup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Global.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoadFailure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowPlacement.cpp
)
