# Copies the FIGlet fonts of the system's figlet package (FROM) into the program's Fonts
# folder (TO), so a new user has real fonts at hand. Nothing happens without the package;
# fonts of our own of the same name are kept.
file(GLOB fonts "${FROM}/*.flf")
foreach(font ${fonts})
  get_filename_component(name "${font}" NAME)
  if(NOT EXISTS "${TO}/${name}" OR "${font}" IS_NEWER_THAN "${TO}/${name}")
    file(COPY "${font}" DESTINATION "${TO}")
  endif()
endforeach()
