# Runs the navigation-database converter on the sources in tools/navdata
# into a fresh folder and checks that it writes the shipped ARPT.dat,
# NAV.dat and ILS.dat byte for byte.
#   cmake -DCONVERTER=... -DSOURCES=... -DSHIPPED=... -DOUTPUT=... -P navdbregenerate.cmake
foreach(var CONVERTER SOURCES SHIPPED OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not given")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${CONVERTER}" "${SOURCES}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "navdbconvert failed: ${result}")
endif()

set(differing "")
foreach(name ARPT.dat NAV.dat ILS.dat)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}/${name}" "${SHIPPED}/${name}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND differing ${name})
  endif()
endforeach()
if(differing)
  message(FATAL_ERROR "regenerated files differ from data/Navdata: ${differing}")
endif()
message(STATUS "ARPT.dat, NAV.dat and ILS.dat regenerate byte for byte")
