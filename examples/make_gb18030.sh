#!/bin/sh
# Makes pier_load_cases_gb18030.csv: the example table as Excel on Chinese
# Windows saves "CSV (逗号分隔)", in GB18030, from its UTF-8 twin.
set -eu
cd "$(dirname "$0")"
iconv -f UTF-8 -t GB18030 pier_load_cases.csv >pier_load_cases_gb18030.csv
