# Turns one scdoc page into compressed roff: cmake -DSCDOC= -DGZIP= -DSOURCE= -DPAGE= -DEPOCH=
# -P scdoc.cmake. The page is dated by EPOCH; gzip -n keeps names and times out of the file.
string(REGEX REPLACE "\\.gz$" "" roff "${PAGE}")
set(ENV{SOURCE_DATE_EPOCH} "${EPOCH}")
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${SOURCE}" OUTPUT_FILE "${roff}"
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${GZIP}" -9nf "${roff}" COMMAND_ERROR_IS_FATAL ANY)
