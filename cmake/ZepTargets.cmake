# Compiler settings shared by every product target.
function(zep_product_target target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)
  endif()
endfunction()

# Links a Windows program statically against the mingw runtime so it needs no extra DLLs.
function(zep_static_runtime target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# Settings for a target that compiles the launcher's resource script.
function(zep_add_resources target)
  target_include_directories(${target} PRIVATE ${ZEP_LAUNCHER_RC_INCLUDES})
  if(MINGW)
    # The script is UTF-8; windres reads it as such only when told.
    set_property(SOURCE ${ZEP_LAUNCHER_RC} APPEND PROPERTY COMPILE_OPTIONS -c 65001)
  endif()
  # The script includes the string table and the picture list, which dependency scanning does not see.
  get_filename_component(res_dir ${ZEP_LAUNCHER_RC} DIRECTORY)
  file(GLOB res_inputs ${res_dir}/*.rc ${res_dir}/png/*.png ${res_dir}/png/*/*.png)
  set_property(SOURCE ${ZEP_LAUNCHER_RC} APPEND PROPERTY OBJECT_DEPENDS ${res_inputs})
endfunction()

# A GUI program with a wWinMain of its own.
function(zep_gui_program target)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode -mwindows)
  endif()
  zep_product_target(${target})
  zep_static_runtime(${target})
endfunction()

# A GUI program run by the framework's application object. The framework's entry point is compiled into
# each such program: from an archive the linker would not take it, since only the C runtime, linked last,
# asks for it.
function(zep_framework_program target)
  target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/framework/AppMain.cpp)
  zep_gui_program(${target})
endfunction()
