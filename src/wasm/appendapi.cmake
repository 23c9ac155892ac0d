# Replaces the default export emscripten writes at the end of MODULE by the file API.
file(READ ${MODULE} text)
string(FIND "${text}" "export default IcevaleCore;" at REVERSE)
if(at EQUAL -1)
  message(FATAL_ERROR "${MODULE}: emscripten's default export was not found")
endif()
string(SUBSTRING "${text}" 0 ${at} text)
file(READ ${API} api)
file(WRITE ${MODULE} "${text}\n${api}")
