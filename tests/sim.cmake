# The simulator's tests: the theme test needs the painter itself, the scripted run needs the
# simulator program and the page plug-in.
if(TARGET tst_sim_theme AND TARGET phonethemepainter)
  target_link_libraries(tst_sim_theme PRIVATE phonethemepainter)
endif()
