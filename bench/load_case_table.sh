#!/bin/sh
# A table of load cases for the benchmarks and the page's tests: piers and
# piles of 0.8 to 2.0 m under realistic loads, half designs and half checks
# with bars of the bar table, from a fixed seed; 100 members whatever the
# rows, so that the peak memory shows the rows alone.
#
#   bench/load_case_table.sh ROWS > table.csv
set -eu
awk -v rows="$1" 'BEGIN {
  srand(7)
  print "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋"
  split("0.8 1.0 1.2 1.5 1.8 2.0", diameters, " ")
  split("20 25 30 40", concretes, " ")
  split("20 22 25 28 32", bars, " ")
  for (i = 1; i <= rows; i++) {
    D = diameters[int(rand() * 6) + 1]
    Nj = int(1000 + rand() * 9000 * D * D)
    Mj = int(Nj * D * (0.05 + rand() * 0.4))
    l0 = int(4 + rand() * 12 * D)
    member = "P" (i % 100 + 1)
    if (rand() < 0.5)
      printf "组合%d,%s,配筋计算,%s号,Ⅱ级,%d,%d,%s,0.06,%d,,\n", i, member, concretes[int(rand() * 4) + 1], Nj, Mj, D, l0
    else
      printf "组合%d,%s,强度校核,%s号,Ⅱ级,%d,%d,%s,0.06,%d,,%dD%s\n", i, member, concretes[int(rand() * 4) + 1], Nj, Mj, D, l0, int(12 + rand() * 30 * D), bars[int(rand() * 5) + 1]
  }
}'
