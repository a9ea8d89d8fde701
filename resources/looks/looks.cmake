# The editor's eight looks, made from one style sheet template at configure
# time: each look is the template with its own colours. Looks 0 to 6 are on
# the Look menu; look 7 is reached only through the style file.
#
# Each entry: name | window | panel | base | text | disabled text | button |
#             button hover | border | accent | accent text | dial track |
#             dial knob | dial pointer | corner radius
set(TARNWICK_LOOKS
  "Dark, blue accent|#252525|#2E2E2E|#1B1B1B|#E6E6E6|#8A8A8A|#3A3A3A|#474747|#555555|#3D8EE0|#FFFFFF|#4A4A4A|#3A3A3A|#F0F0F0|3px"
  "Dark, amber accent|#252525|#2E2E2E|#1B1B1B|#EDE6DA|#6E6A64|#3B3834|#4A4640|#5A554E|#E0962E|#1B1B1B|#4A4640|#3B3834|#F5E9D5|3px"
  "Dark, green accent|#272727|#303030|#1D1D1D|#E2EAE2|#6C746C|#383D38|#454C45|#536053|#4DB870|#101810|#465046|#383D38|#E8F5E8|0px"
  "Dark, red accent|#252525|#2E2E2E|#1A1A1A|#EEE4E4|#766A6A|#3C3434|#4B4040|#5C4E4E|#D9534F|#FFFFFF|#4E4242|#3C3434|#FBECEC|6px"
  "Mid grey, blue accent|#505050|#5A5A5A|#3E3E3E|#F2F2F2|#ABABAB|#646464|#707070|#7A7A7A|#5AA8F0|#101010|#6E6E6E|#5F5F5F|#FFFFFF|3px"
  "Mid grey, orange accent|#505050|#5A5A5A|#404040|#F4EFE8|#ADA79F|#66615A|#726C64|#807970|#F0A040|#202020|#716B63|#615C55|#FFF6E8|5px"
  "Light|#F0F0F0|#E4E4E4|#FFFFFF|#1E1E1E|#8A8A8A|#E1E1E1|#D0D0D0|#A8A8A8|#0A64C8|#FFFFFF|#C8C8C8|#E8E8E8|#2A2A2A|3px"
  "Transparent: every surface lets the desktop show through|rgba(20, 24, 32, 170)|rgba(30, 36, 48, 190)|rgba(10, 12, 18, 150)|#F0F4FA|rgba(240, 244, 250, 110)|rgba(255, 255, 255, 40)|rgba(255, 255, 255, 70)|rgba(255, 255, 255, 90)|#56B6F0|#0A0C12|rgba(255, 255, 255, 60)|rgba(255, 255, 255, 30)|#F0F4FA|8px"
)
set(TARNWICK_LOOK_KEYS LOOK_NAME WINDOW PANEL BASE TEXT DISABLED_TEXT BUTTON BUTTON_HOVER
    BORDER ACCENT ACCENT_TEXT DIAL_TRACK DIAL_KNOB DIAL_POINTER RADIUS)

# Writes STYLE_0 to STYLE_7 into `out_dir` and sets `out_files` to their paths.
function(tarnwick_make_looks template out_dir out_files)
  set(files)
  set(index 0)
  foreach(look IN LISTS TARNWICK_LOOKS)
    string(REPLACE "|" ";" values "${look}")
    foreach(key value IN ZIP_LISTS TARNWICK_LOOK_KEYS values)
      set(${key} "${value}")
    endforeach()
    configure_file(${template} ${out_dir}/STYLE_${index} @ONLY)
    list(APPEND files ${out_dir}/STYLE_${index})
    math(EXPR index "${index} + 1")
  endforeach()
  set(${out_files} ${files} PARENT_SCOPE)
endfunction()
