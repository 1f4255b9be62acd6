;;; set_err.lsp - обработчик ошибок библиотеки LIB_M.
;;; Прерванная команда возвращает пользователю его настройки.

(defun *error* (msg)
  (if (not (member (strcase msg t)
                   '("function cancelled" "quit / exit abort" "console break")))
    (princ (strcat "\nОшибка: " msg)))
  (while (> (getvar "CMDACTIVE") 0) (command))
  (if *LIB_SAVED* (Set_Setup))
  (princ))

(princ)
