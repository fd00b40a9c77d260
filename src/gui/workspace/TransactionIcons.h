// The transactions grid's image list: income, transfer, deposit, expense
// and the recognition lock, 16 pixels each, in that order.
#pragma once

#include <QPixmap>

namespace tf {

enum TTransactionImage : int { imgIncome = 0, imgTransfer, imgDeposit, imgExpense, imgLock };

// The image of a transaction type code (Income 0, Expense 3, Transfer 1, Deposit 2).
int TransactionImageOfType(int type);

// One of the five images, drawn once.
const QPixmap& TransactionImage(int index);

}  // namespace tf
