#pragma once

// The saved moment listing of the start values (P1 = 206, P2 = 208, e = 5, L = 9) with n = 10:
// eleven lines, two tabs between the parts, CR LF after every line.

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
