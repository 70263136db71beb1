# Writes a C++ header with the QR code of TEXT, made by qrencode, as rows of modules
# ('1' dark, '0' light), without the quiet zone. Run with cmake -DTEXT=... -DOUT=... -P.
execute_process(COMMAND qrencode -t ASCII -m 0 -o - "${TEXT}"
                OUTPUT_VARIABLE art RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "qrencode could not encode \"${TEXT}\" (is the qrencode package installed?)")
endif()
string(REPLACE "\n" ";" lines "${art}")
set(rows "")
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  string(REPLACE "##" "1" line "${line}")
  string(REPLACE "  " "0" line "${line}")
  string(APPEND rows "    \"${line}\",\n")
endforeach()
file(WRITE "${OUT}.tmp" "// Made at build time by qrencode from the address below; do not edit.
#pragma once

namespace velkaro {

inline constexpr char kFeedbackQrText[] = \"${TEXT}\";
inline constexpr const char* kFeedbackQrRows[] = {
${rows}};

}  // namespace velkaro
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
