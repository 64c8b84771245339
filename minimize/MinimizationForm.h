// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which cover is minimized: the ones of the function (sum of products) or its
// zeros (product of sums).
enum class MinimizationForm
{
    SumOfProducts,
    ProductOfSums,
};
