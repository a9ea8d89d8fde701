# Fails when a file of the core library reaches for a widget, a window or the
# simulated pedal: the core links Qt Core and Network only, and its include
# root is src/core, so such an include could only come in by a detour.
file(GLOB_RECURSE core_files "${SOURCE_DIR}/src/core/*.h" "${SOURCE_DIR}/src/core/*.cpp")
set(found "")
foreach(f IN LISTS core_files)
  file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "[<\"](QtWidgets|QtGui|QWidget|QMainWindow|QDialog|QLabel|QPushButton|QComboBox|QMessageBox|QApplication|QGuiApplication|ui/|SimD2xx|SimulatedPedal)"
       OR line MATCHES "\\.\\./")
      string(APPEND found "${f}: ${line}\n")
    endif()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "The core includes what it must not see:\n${found}")
endif()
