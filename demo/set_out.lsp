;;; set_out.lsp - параметры вывода библиотеки LIB_M.
;;; Читает раздел [Set_out] файла Set_Param.dat в список пар
;;; ("имя" . "значение") *LIB_SET_OUT*.

(defun lib_str_pos (str ch / i n pos)
  (setq i 1
        n (strlen str))
  (while (and (<= i n) (not pos))
    (if (= (substr str i 1) ch) (setq pos i))
    (setq i (1+ i)))
  pos)

(defun lib_read_set_out (/ path f line section pos)
  (setq *LIB_SET_OUT* nil)
  (if (setq path (findfile "Set_Param.dat"))
    (progn
      (setq f (open path "r"))
      (while (setq line (read-line f))
        (cond
          ((= (substr line 1 1) "[")
           (setq section (strcase line)))
          ((and (= section "[SET_OUT]")
                (setq pos (lib_str_pos line "=")))
           (setq *LIB_SET_OUT*
                  (cons (cons (substr line 1 (1- pos)) (substr line (1+ pos)))
                        *LIB_SET_OUT*)))))
      (close f)))
  (setq *LIB_SET_OUT* (reverse *LIB_SET_OUT*))
  (length *LIB_SET_OUT*))

;; Значение параметра или nil, когда его нет.
(defun lib_param (name / pair)
  (if (null *LIB_SET_OUT*) (lib_read_set_out))
  (if (setq pair (assoc name *LIB_SET_OUT*)) (cdr pair)))

(defun lib_param_real (name default / value)
  (if (setq value (lib_param name)) (atof value) default))

(lib_read_set_out)
(princ)
