# Sources of gui/app, the desktop shell, listed explicitly.
target_sources(tallyfold_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BackupFileDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ButtonCaption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CategoryCombos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateConversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopGlobalServices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopServices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorReporter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmDatePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmErrorWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmPasswordPrompt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainPages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowCombos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveScheduler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VersionInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkspaceDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_app.qrc
)
