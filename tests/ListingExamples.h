// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The saved listings of the start values (P1 = 206, P2 = 208, e = 5, L = 9) with n = 10: eleven
// lines each, two tabs between the parts, CR LF after every line.

#include <QByteArray>

inline const QByteArray momentnaListaPocetnihVrednosti
    = QByteArrayLiteral("x[m]= 0.000\t\tM[kNm]= 0.000\r\n"
                        "x[m]= 0.900\t\tM[kNm]= 231.340\r\n"
                        "x[m]= 1.800\t\tM[kNm]= 388.160\r\n"
                        "x[m]= 2.700\t\tM[kNm]= 470.460\r\n"
                        "x[m]= 3.600\t\tM[kNm]= 478.240\r\n"
                        "x[m]= 4.500\t\tM[kNm]= 416.500\r\n"
                        "x[m]= 5.400\t\tM[kNm]= 482.240\r\n"
                        "x[m]= 6.300\t\tM[kNm]= 473.460\r\n"
                        "x[m]= 7.200\t\tM[kNm]= 390.160\r\n"
                        "x[m]= 8.100\t\tM[kNm]= 232.340\r\n"
                        "x[m]= 9.000\t\tM[kNm]= 0.000\r\n");

inline const QByteArray transverzalnaListaPocetnihVrednosti
    = QByteArrayLiteral("x[m]= 0.000\t\tmaxT[kN]= 298.444\t\tminT[kN]= 0.000\r\n"
                        "x[m]= 0.900\t\tmaxT[kN]= 257.044\t\tminT[kN]= -20.800\r\n"
                        "x[m]= 1.800\t\tmaxT[kN]= 215.644\t\tminT[kN]= -41.600\r\n"
                        "x[m]= 2.700\t\tmaxT[kN]= 174.244\t\tminT[kN]= -62.400\r\n"
                        "x[m]= 3.600\t\tmaxT[kN]= 132.844\t\tminT[kN]= -83.200\r\n"
                        "x[m]= 4.500\t\tmaxT[kN]= 103.000\t\tminT[kN]= -104.000\r\n"
                        "x[m]= 5.400\t\tmaxT[kN]= 82.400\t\tminT[kN]= -133.956\r\n"
                        "x[m]= 6.300\t\tmaxT[kN]= 61.800\t\tminT[kN]= -175.356\r\n"
                        "x[m]= 7.200\t\tmaxT[kN]= 41.200\t\tminT[kN]= -216.756\r\n"
                        "x[m]= 8.100\t\tmaxT[kN]= 20.600\t\tminT[kN]= -258.156\r\n"
                        "x[m]= 9.000\t\tmaxT[kN]= 0.000\t\tminT[kN]= -299.556\r\n");
