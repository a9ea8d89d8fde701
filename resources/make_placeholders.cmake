# Makes the placeholder algorithm image: the layout of the maker's image with
# deterministic filler in place of the DSP program. Run from the project root:
#   cmake -P resources/make_placeholders.cmake
# Dropping the maker's file into resources/ under the same name replaces it.

set(length 4640)
# Byte 0, the length 0x1220, then the 17 parameter address slots.
set(head "001220000B00E800770073000300CC00DE00A000E9004C005B0051000A006E00E7001B000C")
string(LENGTH "${head}" digits)
math(EXPR filled "${digits} / 2")

set(text "${head}")
set(state 12345)
foreach(i RANGE ${filled} 4639)
  # A linear congruential sequence: the same bytes on every run.
  math(EXPR state "(${state} * 1103515245 + 12345) % 2147483648")
  math(EXPR byte "(${state} >> 16) & 255" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${byte}" 2 -1 byte)
  string(LENGTH "${byte}" n)
  if(n EQUAL 1)
    set(byte "0${byte}")
  endif()
  string(APPEND text "${byte}")
endforeach()
string(TOUPPER "${text}" text)
file(WRITE "${CMAKE_CURRENT_LIST_DIR}/TARNWICK_ZQ7_0008" "${text}")
