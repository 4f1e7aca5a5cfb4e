a(
b(
c(
d(
#pragma once
x
y
