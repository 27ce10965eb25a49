# SPDX-License-Identifier: GPL-3.0-or-later
# Brings a copy of the English translation up to date with the sources, as lupdate reads them, and
# fails when a text has no finished translation: a new text, or one whose Serbian changed.
# cmake -DLUPDATE=... -DCHECK=tscatalogue -DTS=kelvane_en.ts -DCOPY=... -DARGS=a|b|c -P ...
string(REPLACE "|" ";" ARGS "${ARGS}")
configure_file("${TS}" "${COPY}" COPYONLY)
execute_process(COMMAND "${LUPDATE}" ${ARGS} -ts "${COPY}" RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${status}")
endif()
execute_process(COMMAND "${CHECK}" --check "${COPY}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "translations/kelvane_en.ts lacks the translations above; "
        "build the target kelvane_update_ts and translate them")
endif()
