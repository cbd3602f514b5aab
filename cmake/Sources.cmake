# Sorts the sources under src/ into the core library, the Qt library, the CLI
# and the two test binaries by their names, so a file's name tells whether it
# may include Qt:
#   *_page.*, *_window.*, *_dialog.* or anything in a ui/ folder -> verdika_ui
#   src/cli/main.cpp                                            -> verdika-cli
#   src/cli/* (the subcommands)                                 -> verdika_cli (object library)
#   src/app/main.cpp                                            -> verdika
#   src/modules/*                                               -> loadable modules
#   everything else                                             -> verdika_core
# A *_test.cpp file belongs to the test binary of the file it tests.
function(verdika_is_ui path out)
  get_filename_component(stem ${path} NAME_WE)
  string(REGEX REPLACE "_test$" "" stem "${stem}")
  if(path MATCHES "/ui/" OR stem MATCHES "_(page|window|dialog)$")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

macro(verdika_collect_sources root)
  file(GLOB_RECURSE _all CONFIGURE_DEPENDS ${root}/*.cpp ${root}/*.h)
  set(VERDIKA_CORE_SOURCES)
  set(VERDIKA_UI_SOURCES)
  set(VERDIKA_CLI_SOURCES)
  set(VERDIKA_CLI_MAIN)
  set(VERDIKA_CORE_TEST_SOURCES)
  set(VERDIKA_UI_TEST_SOURCES)
  foreach(f IN LISTS _all)
    file(RELATIVE_PATH rel ${root} ${f})
    verdika_is_ui("/${rel}" _ui)
    if(rel MATCHES "^cli/.*_test\\.cpp$")
      # calls cli::run in-process (and may run the built verdika-cli)
      list(APPEND VERDIKA_CORE_TEST_SOURCES ${f})
    elseif(rel STREQUAL "cli/main.cpp")
      set(VERDIKA_CLI_MAIN ${f})
    elseif(rel MATCHES "^cli/")
      list(APPEND VERDIKA_CLI_SOURCES ${f})
    elseif(rel MATCHES "^modules/")
      # loadable modules, each a target of its own in CMakeLists.txt
    elseif(rel STREQUAL "app/main.cpp")
      # the GUI entry point, built into the verdika executable only
    elseif(rel MATCHES "_test\\.cpp$")
      if(_ui)
        list(APPEND VERDIKA_UI_TEST_SOURCES ${f})
      else()
        list(APPEND VERDIKA_CORE_TEST_SOURCES ${f})
      endif()
    elseif(_ui)
      list(APPEND VERDIKA_UI_SOURCES ${f})
    else()
      list(APPEND VERDIKA_CORE_SOURCES ${f})
    endif()
  endforeach()
endmacro()
