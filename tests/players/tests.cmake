icevale_core_test(players_core_test
  ${CMAKE_CURRENT_LIST_DIR}/roster_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/playerformat_test.cpp)
