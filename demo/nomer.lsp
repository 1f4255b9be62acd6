;;; nomer.lsp - номера позиций в кружках, по порядку.

(defun nomer (/ h n p)
  (setq h (lib_param_real "Высота_текста" 3.5))
  (initget 6)
  (setq n (cond ((getint "\nНачальный номер <1>: ")) (1)))
  (lib_layer (lib_param "Слой_текста") 2)
  (while (setq p (getpoint (strcat "\nПозиция " (itoa n) " <конец>: ")))
    (command "_.CIRCLE" p (* h 1.2))
    (lib_text p h (itoa n))
    (setq n (1+ n)))
  (princ))

(defun c:nomer () (nomer))
(princ)
